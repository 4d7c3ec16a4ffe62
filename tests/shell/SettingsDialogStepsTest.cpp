#include "shell/SettingsDialogSteps.h"

#include <gtest/gtest.h>

#include "drawing/LayerDefaults.h"
#include "platform/headless/RecordingCanvas.h"

namespace {

TEST(SettingsDialogSteps, LateralCoverAsTyped) {
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"2,6", 3},  {"2.5", 2}, {"3,5", 4},           {" 7 ", 7},           {"2", 2},
        {"-1,5", -2}, {"abc", {}}, {"", {}},           {"  ", {}},           {"2,6cm", {}},
        {"1,2,3", {}}, {"nan", {}}, {"1e99", {}},      {"2 ,6", {}},
    };
    for (const auto& [typed, cover] : cases) EXPECT_EQ(ReadLateralCover(typed), cover) << typed;
}

TEST(SettingsDialogSteps, DimensionTextsFollowTheirLength) {
    Model model;
    const std::pair<float, const char*> lengths[] = {{250.04f, "250"}, {250.2f, "250.2"}, {249.96f, "250.0"}};
    for (const auto& [length, text] : lengths) model.Dimensions.push_back({10, 20, 10, 20 + length, "?"});
    model.Dimensions.push_back({0, 0, 100, 0, "beyond the count"});
    model.DimensionCount = 3;
    RewriteDimensionTexts(model, ShellOptions{});
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(model.Dimensions[i].Text, lengths[i].second);
    EXPECT_EQ(model.Dimensions[3].Text, "beyond the count");

    model.DimensionCount = 9;  // a count beyond the table reads no further than the table
    ShellOptions metres;
    metres.DimensionUnitMetres = 1;
    RewriteDimensionTexts(model, metres);
    EXPECT_EQ(model.Dimensions[1].Text, "2.5");
    EXPECT_EQ(model.Dimensions[3].Text, "1");
}

// The state the user left: colours, switches, names and options of their own.
Session EditedSession() {
    Session s;
    SetDefaultScreenColors(s.drawing);
    SetDefaultLayersAndOptions(s.drawing, s.shell.Options, s.design, s.dxf);
    s.drawing.LayerScreenColours[7] = PackRgb(1, 2, 3);
    s.drawing.LayerScreenOn[4] = 0;
    s.drawing.DimOsnapOn[2] = 0;
    s.drawing.LayerNames[0] = "MIEI_ASSI";
    s.design.MaxUpperBarLength = 600;
    s.shell.Options.DimensionUnitMetres = 1;
    s.shell.Languages.DrawingLanguage = 1;
    s.model.Dimensions.push_back({0, 0, 250.2f, 0, "2.5"});
    s.model.DimensionCount = 1;
    return s;
}

TEST(SettingsDialogSteps, DefaultColoursForTheChosenBackground) {
    Session s = EditedSession();
    RecordingCanvas canvas;
    RestoreDefaultScreenColours(s, canvas, 1);

    Session white;
    white.drawing.WhiteBackground = 1;
    SetDefaultScreenColors(white.drawing);
    EXPECT_EQ(s.drawing.WhiteBackground, 1);
    EXPECT_EQ(s.drawing.LayerScreenColours, white.drawing.LayerScreenColours);
    EXPECT_EQ(s.drawing.LayerScreenOn[4], 1);
    EXPECT_EQ(s.drawing.DimOsnapOn[2], 1);
    EXPECT_EQ(s.drawing.LayerNames[0], "MIEI_ASSI");  // the DXF side stays
    EXPECT_EQ(s.design.MaxUpperBarLength, 600);
    // The canvas turns white at once, with nothing drawn on it.
    ASSERT_EQ(canvas.Records().size(), 1u);
    EXPECT_EQ(canvas.Records()[0].Call, CanvasCall::Clear);
    EXPECT_EQ(canvas.Records()[0].State.Back, StandardColour(15));
}

TEST(SettingsDialogSteps, AllDefaultsAndTheDimensionsInCentimetres) {
    Session s = EditedSession();
    RecordingCanvas canvas;
    RestoreAllDefaults(s, canvas);

    Session defaults;
    SetDefaultScreenColors(defaults.drawing);
    SetDefaultLayersAndOptions(defaults.drawing, defaults.shell.Options, defaults.design, defaults.dxf);
    EXPECT_EQ(s.drawing.LayerScreenColours, defaults.drawing.LayerScreenColours);
    EXPECT_EQ(s.drawing.LayerNames, defaults.drawing.LayerNames);
    EXPECT_EQ(s.design.MaxUpperBarLength, 1200);
    EXPECT_EQ(s.shell.Options.DimensionUnitMetres, 0);
    EXPECT_EQ(s.shell.Languages.DrawingLanguage, 1);  // not an option the defaults set
    EXPECT_EQ(s.model.Dimensions[0].Text, "250.2");
    ASSERT_EQ(canvas.RecordsOf(CanvasCall::Clear).size(), 1u);
    EXPECT_EQ(canvas.RecordsOf(CanvasCall::Clear)[0].State.Back, 0);
}

TEST(SettingsDialogSteps, BackgroundOfTheFlagInForce) {
    for (const auto& [flag, colour] : {std::pair{0, 0}, std::pair{1, StandardColour(15)}, std::pair{2, StandardColour(15)}}) {
        DrawingState drawing;
        drawing.WhiteBackground = flag;
        RecordingCanvas canvas;
        PaintCanvasBackground(drawing, canvas);
        EXPECT_EQ(drawing.CanvasBackColour, colour);
        EXPECT_EQ(canvas.BackColour(), colour);
    }
}

}  // namespace

#pragma once
// The entities of a spooled ENTITIES text, read back for the drawing tests: kind, layer, line
// type, text and the points and sizes that the plan's entities carry.
#include <charconv>
#include <string>
#include <vector>

#include "tests/support/DxfRecordLines.h"

struct DxfEntity {
    std::string Kind, Layer, LineType, Text;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    float Size = 0;      // group 40: a circle's radius, a text's height
    float Rotation = 0;  // group 50
};

// Whatever the process locale.
inline float DxfNumber(const std::string& text) {
    float value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

inline std::vector<DxfEntity> ReadEntities(const std::string& spool) {
    std::vector<DxfEntity> entities;
    for (const auto& [code, value] : SplitGroups(spool)) {
        const int c = std::stoi(code);
        if (c == 0) {
            entities.push_back({});
            entities.back().Kind = value;
            continue;
        }
        if (entities.empty()) continue;
        DxfEntity& e = entities.back();
        switch (c) {
            case 8: e.Layer = value; break;
            case 6: e.LineType = value; break;
            case 1: e.Text = value; break;
            case 10: e.X1 = DxfNumber(value); break;
            case 20: e.Y1 = DxfNumber(value); break;
            case 11: e.X2 = DxfNumber(value); break;
            case 21: e.Y2 = DxfNumber(value); break;
            case 40: e.Size = DxfNumber(value); break;
            case 50: e.Rotation = DxfNumber(value); break;
            default: break;
        }
    }
    return entities;
}

inline std::vector<DxfEntity> OnLayer(const std::vector<DxfEntity>& entities, const std::string& layer) {
    std::vector<DxfEntity> on;
    for (const DxfEntity& e : entities)
        if (e.Layer == layer) on.push_back(e);
    return on;
}

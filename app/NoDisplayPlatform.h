#pragma once
// The services of a batch run where no display is there: every message box becomes lines on
// standard error (answered by its first button), nothing is drawn, and the folders, the analysis
// program's values and outside programs are those of the desktop backend, which need no display.
#include "platform/Platform.h"
#include "platform/headless/HeadlessFileDialogs.h"
#include "platform/headless/HeadlessMessageBoxes.h"
#include "platform/headless/RecordingCanvas.h"
#include "platform/qt/QtFolders.h"
#include "platform/qt/QtPrograms.h"
#include "platform/qt/QtRegistryValues.h"
#include "platform/sectionserver/BuiltinSectionServer.h"

struct NoDisplayPlatform {
    NoDisplayPlatform() = default;
    NoDisplayPlatform(const NoDisplayPlatform&) = delete;
    NoDisplayPlatform& operator=(const NoDisplayPlatform&) = delete;

    HeadlessMessageBoxes messages{true};
    BuiltinSectionServer server;
    RecordingCanvas canvas;
    HeadlessFileDialogs dialogs;
    QtFolders folders;
    QtRegistryValues registry;
    QtPrograms programs;
    Platform platform{messages, server, canvas, dialogs, folders, registry, programs};
};

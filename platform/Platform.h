#pragma once
// The services of the operating system that the engine and the windows call on, as one bundle of
// interfaces. A backend (Qt for the window, headless for tests, tools and batch runs) owns the
// objects; the bundle only refers to them.
#include "platform/Canvas.h"
#include "platform/FileDialogs.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/Programs.h"
#include "platform/RegistryValues.h"
#include "platform/SectionPropertiesServer.h"

struct Platform {
    MessageBoxes& messages;
    SectionPropertiesServer& server;
    Canvas& canvas;
    FileDialogs& dialogs;
    Folders& folders;
    RegistryValues& registry;
    Programs& programs;
};

#pragma once
// The services of the operating system that the engine and the windows call on, as one bundle of
// interfaces. A backend (Qt for the window, headless for tests, tools and batch runs) owns the
// objects; the bundle only refers to them.
#include "platform/MessageBox.h"
#include "platform/SectionPropertiesServer.h"

struct Platform {
    MessageBoxes& messages;
    SectionPropertiesServer& server;
};

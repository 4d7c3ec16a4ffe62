#pragma once
// The headless backend in one piece: one of each headless service and the built-in section
// server, and the Platform bundle that refers to them. Not copyable: the bundle points inside.
#include "platform/Platform.h"
#include "platform/headless/HeadlessFileDialogs.h"
#include "platform/headless/HeadlessFolders.h"
#include "platform/headless/HeadlessMessageBoxes.h"
#include "platform/headless/HeadlessPrograms.h"
#include "platform/headless/HeadlessRegistryValues.h"
#include "platform/headless/RecordingCanvas.h"
#include "platform/sectionserver/BuiltinSectionServer.h"

struct HeadlessPlatform {
    explicit HeadlessPlatform(bool echoMessages = false) : messages(echoMessages) {}
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    HeadlessMessageBoxes messages;
    BuiltinSectionServer server;
    RecordingCanvas canvas;
    HeadlessFileDialogs dialogs;
    HeadlessFolders folders;
    HeadlessRegistryValues registry;
    HeadlessPrograms programs;
    Platform platform{messages, server, canvas, dialogs, folders, registry, programs};
};

#pragma once
// The Qt backend in one piece: the window's services and the built-in section server, and the
// Platform bundle that refers to them. The canvas is the window's widget, so it is lent, not
// owned; dialogs and message boxes are modal over `window`, run by `runner` when one is given (a
// test answers them through it). Not copyable: the bundle points inside.
#include "platform/Platform.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtFolders.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtPrograms.h"
#include "platform/qt/QtRegistryValues.h"
#include "platform/sectionserver/BuiltinSectionServer.h"

struct QtPlatform {
    explicit QtPlatform(QtCanvas& canvas, QWidget* window = nullptr, const ModalRunner& runner = {})
        : messages(window, runner), dialogs(window, runner), canvas(canvas) {}
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    QtMessageBoxes messages;
    BuiltinSectionServer server;
    QtFileDialogs dialogs;
    QtFolders folders;
    QtRegistryValues registry;
    QtPrograms programs;
    QtCanvas& canvas;
    Platform platform{messages, server, canvas, dialogs, folders, registry, programs};
};

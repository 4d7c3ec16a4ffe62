#include "platform/qt/QtFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

QString DravoConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Dravo";
}

std::string QtFolders::ProgramFolder() { return QCoreApplication::applicationDirPath().toStdString(); }

std::string QtFolders::ProfileFolder() {
    const QString folder = DravoConfigFolder();
    if (folder.startsWith('/') && QDir().mkpath(folder)) return folder.toStdString();
    return {};
}

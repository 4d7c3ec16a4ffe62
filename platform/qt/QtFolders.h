#pragma once
// Folders on a Linux desktop. The program folder is the folder of the running executable. The
// profile folder is "Dravo" in the user's configuration folder ($XDG_CONFIG_HOME, or else
// ~/.config), where Linux programs keep their settings: ~/.config/Dravo, made on first use.
#include <QString>

#include "platform/Folders.h"

class QtFolders : public Folders {
public:
    std::string ProgramFolder() override;
    std::string ProfileFolder() override;
};

// ~/.config/Dravo, whether it exists or not.
QString DravoConfigFolder();

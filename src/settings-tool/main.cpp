#include "settings-tool/SettingsCommand.h"

int main(int argc, char** argv) { return guard::settingsCommand(argc, argv); }

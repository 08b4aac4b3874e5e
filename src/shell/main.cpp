#include "shell/ShellMain.h"

int main(int argc, char** argv) { return guard::shellMain(argc, argv); }

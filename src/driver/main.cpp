#include "driver/Main.h"

int main(int argc, char** argv) { return guard::guardMain(argc, argv); }

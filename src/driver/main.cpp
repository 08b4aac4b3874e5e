#include "driver/Main.h"

int main(int argc, char** argv)
{
    return guardMain(argc, argv);
}

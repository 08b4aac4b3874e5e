#include "driver/Main.h"

#include <cstdio>

int guardMain(int, char** argv)
{
    std::fprintf(stderr, "usage: %s <sourceFile> <destFile> [EvalXML | [QnA] [Types] [Times]] \n", argv[0]);
    return -1;
}

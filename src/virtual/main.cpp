#include "virtual/Program.h"

int main(int argc, char *argv[])
{
    return VirtualProgram::main(argc, argv);
}

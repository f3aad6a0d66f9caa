#include "virtual/Program.h"
#include "virtualwindow/VirtualWindow.h"

int main(int argc, char *argv[])
{
    return VirtualProgram::main(argc, argv, VirtualWindow::support());
}

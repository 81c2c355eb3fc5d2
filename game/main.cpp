#include "Startup.h"

int main(int argc, char** argv)
{
    return RunNubrello(argc, argv);
}

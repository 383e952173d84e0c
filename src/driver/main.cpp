#include "driver/run.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    configureStandardOutput();
    return runTabelsmid(argc, argv);
}

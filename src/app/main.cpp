#include "app/ZentoriaApp.h"

int main(int argc, char** argv) {
    return RunZentoria(argc, argv);
}

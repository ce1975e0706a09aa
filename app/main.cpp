#include "app/entry.h"

int main(int argc, char** argv) {
    return zolk::RunZolk(argc, argv);
}

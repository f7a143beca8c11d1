// zelslots: a five-reel video slot machine.
#include "app/game.h"

int main(int argc, char** argv) { return zel::rungame(argc, argv); }

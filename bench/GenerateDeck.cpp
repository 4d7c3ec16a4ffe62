// generate_deck BAYS_X BAYS_Y FOLDER   writes a generated deck (DECK.CRP and its archive) into
// FOLDER, so that the tools can be timed on decks of any size (plan2png --time, crp2dxf).
#include <cstdlib>
#include <iostream>
#include <string>

#include "bench/DeckGenerator.h"

int main(int argc, char** argv) {
    const int baysX = argc == 4 ? std::atoi(argv[1]) : 0;
    const int baysY = argc == 4 ? std::atoi(argv[2]) : 0;
    if (baysX < 1 || baysY < 1 || baysX > 1000 || baysY > 1000) {
        std::cerr << "usage: generate_deck BAYS_X BAYS_Y FOLDER (1 to 1000 bays each way)\n";
        return 2;
    }
    const GeneratedDeck deck = WriteGeneratedDeck(argv[3], baysX, baysY);
    std::cout << deck.DataFile << " " << deck.ElementCount << " elements\n";
    return 0;
}

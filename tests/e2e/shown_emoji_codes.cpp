// Prints the codes of the emoji that the comment palette shows, one a line in
// catalogue order: what a screen reader should find there, for
// screen_reader_test.sh to compare with what it does find.
#include <iostream>

#include "emoji/catalogue.h"

int main() {
  for (const quillmark::Emoji& emoji : quillmark::EmojiCatalogue()) {
    if (emoji.set != quillmark::EmojiSet::MessageOnly) std::cout << '[' << emoji.label << "]\n";
  }
}

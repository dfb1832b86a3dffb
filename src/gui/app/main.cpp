// The desktop program's entry point.
#include "app/application.h"

int main(int argc, char **argv) {
  return tarvelo::gui::runApplication(argc, argv);
}

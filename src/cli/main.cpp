#include <iostream>

int main() {
  std::cerr << "quarlin-cli: not built yet\n";
  return 2;
}

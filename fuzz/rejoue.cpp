// Runs a fuzz target once on every file of the folders given: the corpus kept in the
// repository, crashes found once included, is a regression test of the ordinary builds.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

int main(int argc, char** argv) {
  std::size_t n = 0;
  for (int i = 1; i < argc; ++i)
    for (const auto& entree : std::filesystem::directory_iterator(argv[i])) {
      std::ifstream f(entree.path(), std::ios::binary);
      const std::vector<char> octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
      ++n;
    }
  std::printf("%zu inputs run\n", n);
  return n > 0 ? 0 : 1;
}

// quellorn-demo DIR: creates a machine folder resembling a Windows XP user with traces for the
// program to find, for the console front end's --machine option.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "demo/demo_builder.h"
#include "platform/portable/portable_machine.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quellorn-demo DIR (a folder that does not exist yet)\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  if (std::filesystem::exists(folder, error)) {
    std::cerr << "quellorn-demo: " << folder << " exists already; remove it first\n";
    return 2;
  }
  try {
    std::filesystem::create_directories(folder / "drive_c");
    std::ofstream(folder / "machine.ini") << quellorn::demo::kMachineIni;
    quellorn::platform::PortableMachine machine(folder);
    quellorn::demo::DemoBuilder demo(machine.platform());
    quellorn::demo::BuildDemoMachine(demo);
  } catch (const std::exception& e) {
    std::cerr << "quellorn-demo: " << e.what() << '\n';
    return 1;
  }
  std::cout << "Demo machine created in " << folder.string() << '\n';
  return 0;
}

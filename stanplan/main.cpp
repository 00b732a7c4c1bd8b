// The plan designer program.
#include "stanplan/qt/program_entry.h"

int main(int argc, char** argv) {
  return stanplan::DesignerProgramEntry(argc, argv);
}

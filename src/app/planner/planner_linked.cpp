// Built into the programs that drive the planner's own classes (the tests, the benchmarks and the
// screenshots): the main window finds the planner's module in the program itself, so the windows
// it makes are of the same classes the program knows, instead of a second copy loaded from a file.
#include <QtPlugin>

Q_IMPORT_PLUGIN(PlannerPlugin)

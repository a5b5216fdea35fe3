#include "results/nozzle.h"

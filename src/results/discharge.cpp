#include "results/discharge.h"

#include "results/conclusion.h"

// The main window's "Отчет": the protocol of the inspection.
#include "wizard/tf_1.h"

void TF_1::GenerateProtocol() {}

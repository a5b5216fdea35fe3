#pragma once

#include <QIcon>

// The pictures of the row buttons: a sheet with a green plus, a sheet with a red cross.
QIcon AddRowIcon();
QIcon RemoveRowIcon();

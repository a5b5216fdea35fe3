#pragma once

#include <QIcon>

// The pictures of the inspection commands' buttons, drawn like the grid's row buttons.
QIcon SaveInspectionIcon();   // a diskette
QIcon SaveInspectionAsIcon(); // a diskette and a pencil
QIcon OpenInspectionIcon();   // an open folder
QIcon NewInspectionIcon();    // a blank sheet with a spark

// The control tables of the four calculator pages.
#pragma once

#include "control_table.h"

namespace motrel::app {

const PageTable& transferExhaustTable();  // TabSheet1
const PageTable& intakeTable();           // TabSheet2
const PageTable& portWidthTable();        // TabSheet3
const PageTable& speedTable();            // TabSheet4

}  // namespace motrel::app

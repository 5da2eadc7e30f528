#include "SheetDefinitions.h"
// Placeholder: the tables land with the sheet data.

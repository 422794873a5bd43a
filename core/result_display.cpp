#include "core/result_display.h"

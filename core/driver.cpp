#include "core/driver.h"

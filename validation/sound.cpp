#include "validation/sound.h"

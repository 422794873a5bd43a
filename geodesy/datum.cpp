#include "geodesy/procedures.h"

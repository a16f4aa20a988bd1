#include "childwindows.h"

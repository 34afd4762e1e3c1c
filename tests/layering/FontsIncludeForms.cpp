// Must never compile: it is built against the fonts floor, which stands
// below the window runtime, so the include below has to be refused.
#include "forms/Form.h"

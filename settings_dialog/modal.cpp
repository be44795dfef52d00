#include "settings_dialog/modal.h"

int modalOpen = 0;

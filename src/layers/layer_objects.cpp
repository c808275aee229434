#include "layers/layer.h"

void _layerdaten::bewegen() {}

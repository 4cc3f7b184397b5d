// Names derived from the card type.
#pragma once

const char *ControllerName(int cardType);

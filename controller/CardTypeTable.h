// The card type table: everything type-specific, by card type id.
#pragma once

enum CardBusValue { Isa = 1, IsaPnp = 2, Pci = 3, Pcmcia = 4, Usb = 5, Serial = 6 };

class CardTypeTable {
public:
    virtual ~CardTypeTable() = default;
    virtual int GetCardBus(int cardType) const;
    virtual bool IsActive(int cardType) const;
    virtual const char *GetBaseName(int cardType) const;
};

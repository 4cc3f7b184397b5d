// One node of a CList: the element and its neighbours.
#pragma once
#include "base/ListElement.h"

struct ListNode {
    ListElement *element;
    ListNode *next;
    ListNode *previous;
};

#pragma once

class HoofdVenster;
class ItemRijen;

// Appends rows that another window brings (the fixed costs, a bank's transactions) to the end of
// the main window's list, as the user then sees them: the totals and the count written anew,
// the last new row in view, and the list marked as changed. Nothing is written to disk.
void VulLijstAan(HoofdVenster &hoofd, ItemRijen &&rijen);

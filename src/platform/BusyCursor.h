#pragma once

// Shows the hourglass over the whole program for as long as it lives, so an early return
// never leaves it on.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

    // Back to the ordinary pointer before the end of the scope; the destructor then does nothing.
    void release();

private:
    bool m_active = true;
};

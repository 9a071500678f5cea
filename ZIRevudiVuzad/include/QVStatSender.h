// The usage-statistics sender of the host application: present for the hosts that reach it, it sends
// nothing.
#pragma once

#include "ZIRevudiVuzadDef.h"

class ZIR_API CQVStatSender {
public:
    static CQVStatSender* Instance();

    CQVStatSender(const CQVStatSender&) = delete;
    CQVStatSender& operator=(const CQVStatSender&) = delete;

private:
    CQVStatSender() = default;
};

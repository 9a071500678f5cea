// CQVStatSender: one idle object for the process.
#include "QVStatSender.h"

CQVStatSender* CQVStatSender::Instance() {
    static CQVStatSender s_instance;
    return &s_instance;
}

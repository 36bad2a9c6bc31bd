#include "core/diagnosis/ConnectionVerdict.h"

#include "core/app/texts/ConnectionCheckText.h"

namespace {
struct SVerdictText {
    std::string_view keyword;
    std::string_view fix;
};

SVerdictText TextOf(EConnectionVerdict verdict) {
    using namespace ConnectionCheckText;
    switch (verdict) {
        case EConnectionVerdict::Ok:
            return {"ok", FIX_OK};
        case EConnectionVerdict::NoDevice:
            return {"no-device", FIX_NO_DEVICE};
        case EConnectionVerdict::NotATty:
            return {"not-a-tty", FIX_NOT_A_TTY};
        case EConnectionVerdict::Permission:
            return {"permission", FIX_PERMISSION};
        case EConnectionVerdict::InUse:
            return {"in-use", FIX_IN_USE};
        case EConnectionVerdict::OpenFailed:
            return {"open-failed", FIX_OPEN_FAILED};
        case EConnectionVerdict::NoReply:
            return {"no-reply", FIX_NO_REPLY};
        case EConnectionVerdict::Echo:
            return {"echo", FIX_ECHO};
        case EConnectionVerdict::Garbled:
            return {"garbled", FIX_GARBLED};
        case EConnectionVerdict::Incomplete:
            return {"incomplete", FIX_INCOMPLETE};
        case EConnectionVerdict::WrongAddress:
            return {"wrong-address", FIX_WRONG_ADDRESS};
        case EConnectionVerdict::WrongFunction:
            return {"wrong-function", FIX_MISFIT};
        case EConnectionVerdict::ShortReply:
            return {"short-reply", FIX_MISFIT};
        case EConnectionVerdict::WrongLength:
            return {"wrong-length", FIX_MISFIT};
        case EConnectionVerdict::WrongEcho:
            return {"wrong-echo", FIX_MISFIT};
        case EConnectionVerdict::Exception:
            return {"exception", FIX_EXCEPTION};
        case EConnectionVerdict::OtherSpeed:
            return {"other-speed", FIX_OTHER_SPEED};
        case EConnectionVerdict::NameUnresolved:
            return {"name-unresolved", FIX_NAME_UNRESOLVED};
        case EConnectionVerdict::ConnectFailed:
            return {"connect-failed", FIX_CONNECT_FAILED};
        case EConnectionVerdict::NoRfc2217:
            return {"no-rfc2217", FIX_NO_RFC2217};
        case EConnectionVerdict::ServerBusy:
            return {"server-busy", FIX_SERVER_BUSY};
    }
    return {"open-failed", FIX_OPEN_FAILED};
}
}  // namespace

std::string_view VerdictKeyword(EConnectionVerdict verdict) {
    return TextOf(verdict).keyword;
}

std::string_view VerdictFix(EConnectionVerdict verdict) {
    return TextOf(verdict).fix;
}

EConnectionVerdict VerdictOfReply(EReplyKind kind) {
    switch (kind) {
        case EReplyKind::Valid:
            return EConnectionVerdict::Ok;
        case EReplyKind::None:
            return EConnectionVerdict::NoReply;
        case EReplyKind::Echo:
            return EConnectionVerdict::Echo;
        case EReplyKind::Garbled:
            return EConnectionVerdict::Garbled;
        case EReplyKind::OtherAddress:
            return EConnectionVerdict::WrongAddress;
        case EReplyKind::Exception:
            return EConnectionVerdict::Exception;
        case EReplyKind::Incomplete:
            return EConnectionVerdict::Incomplete;
        case EReplyKind::OtherFunction:
            return EConnectionVerdict::WrongFunction;
        case EReplyKind::ShortReply:
            return EConnectionVerdict::ShortReply;
        case EReplyKind::WrongLength:
            return EConnectionVerdict::WrongLength;
        case EReplyKind::WrongEcho:
            return EConnectionVerdict::WrongEcho;
    }
    return EConnectionVerdict::NoReply;
}

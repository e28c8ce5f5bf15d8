#include "store/SystemErrorText.h"

#include <cerrno>
#include <cstring>

namespace busquery {

ErrorText systemErrorText(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "文件或文件夹不存在";
        case EACCES:
        case EPERM:
            return "没有权限";
        case ENOSPC:
            return "磁盘空间不足";
        case EDQUOT:
            return "超出了磁盘配额";
        case EFBIG:
            return "文件超过了允许的大小";
        case EROFS:
            return "文件系统是只读的";
        case EIO:
            return "磁盘读写出错";
        case ENOTDIR:
            return "路径中有不是文件夹的部分";
        case EISDIR:
            return "是一个文件夹";
        case ENAMETOOLONG:
            return "名称过长";
        case ELOOP:
            return "符号链接过多";
        case EMFILE:
        case ENFILE:
            return "打开的文件过多";
        case ENOMEM:
            return "内存不足";
        case EEXIST:
            return "已存在";
        case EBUSY:
        case ETXTBSY:
            return "正被占用";
        case EXDEV:
            return "不在同一个文件系统中";
        default:
            return {"系统错误码 %1", {ErrorText::value(std::to_string(errorNumber))}};
    }
}

std::string systemErrorDetail(int errorNumber) {
    return std::string(::strerrordesc_np(errorNumber) ? ::strerrordesc_np(errorNumber) : "")
        .append(" (errno ")
        .append(std::to_string(errorNumber))
        .append(")");
}

bool isPermissionError(int errorNumber) {
    return errorNumber == EACCES || errorNumber == EPERM;
}

}  // namespace busquery

#include "image/SystemErrorText.h"

#include <cerrno>

std::string ChineseSystemError(int error) {
    switch (error) {
    case ENOENT:
        return "没有那个文件或目录";
    case EACCES:
    case EPERM:
        return "权限不够";
    case EISDIR:
        return "是一个目录";
    case ENOTDIR:
        return "路径中有一部分不是目录";
    case ENOSPC:
        return "磁盘空间不足";
    case EROFS:
        return "只读文件系统";
    case ENAMETOOLONG:
        return "文件名过长";
#ifdef ELOOP
    case ELOOP:
        return "符号链接层次太多";
#endif
    case EEXIST:
        return "文件已存在";
    case EBUSY:
        return "设备或资源忙";
    case EIO:
        return "输入/输出错误";
    case EFBIG:
        return "文件过大";
    case EMFILE:
    case ENFILE:
        return "打开的文件过多";
    case EINVAL:
        return "无效的参数";
    case ENXIO:
    case ENODEV:
        return "没有那个设备";
#ifdef EDQUOT
    case EDQUOT:
        return "超出磁盘限额";
#endif
    default:
        return {};
    }
}

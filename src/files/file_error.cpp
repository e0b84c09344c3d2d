#include "files/file_error.h"

#include <cerrno>

namespace zeltar::files {

std::string Quoted(const std::string& path)
{
    return "«" + path + "»";
}

std::string Reason(int error)
{
    switch (error) {
    case ENOENT: return "файл или папка не найдены";
    case EACCES: return "нет прав доступа";
    case EPERM: return "операция запрещена";
    case EROFS: return "диск или папка доступны только для чтения";
    case ENOSPC: return "на диске нет места";
    case EDQUOT: return "исчерпана дисковая квота пользователя";
    case EFBIG: return "файл больше допустимого размера";
    case EISDIR: return "это папка, а не файл";
    case ENOTDIR: return "в пути есть файл там, где должна быть папка";
    case ELOOP: return "слишком много символических ссылок (ссылка указывает сама на себя?)";
    case ENAMETOOLONG: return "слишком длинное имя файла";
    case EINVAL:
    case EILSEQ: return "недопустимое имя файла";
    case EMFILE:
    case ENFILE: return "открыто слишком много файлов";
    case EIO: return "ошибка ввода-вывода на диске";
    case ETXTBSY:
    case EBUSY: return "файл занят другой программой";
    case ENXIO:
    case ENODEV: return "устройство не подключено";
    case ENOMEM: return "недостаточно памяти";
    case EXDEV: return "файл на другом диске";
    case EAGAIN: return "файл временно недоступен";
    case EINTR: return "операция прервана";
    case ESTALE: return "сетевой файл больше не доступен";
    case EOVERFLOW: return "файл слишком велик";
    default: return "системная ошибка номер " + std::to_string(error);
    }
}

} // namespace zeltar::files

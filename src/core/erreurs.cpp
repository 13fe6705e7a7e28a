#include "core/erreurs.h"

namespace ohmira {

std::string messageBoite(std::string message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

}  // namespace ohmira

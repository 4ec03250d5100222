#include "texte/SystemeFichiers.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <stdio.h> // renameat2
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talix {

namespace {

int CodeOuverture(int erreur, const std::string& chemin) {
    switch (erreur) {
    case ENOENT: {
        // The classic layer tells a missing file from a missing directory.
        const std::string repertoire = RepertoireDe(chemin);
        struct stat etat {};
        if (!repertoire.empty() && ::stat(repertoire.c_str(), &etat) != 0) {
            return ES_CHEMIN_INTROUVABLE;
        }
        return ES_FICHIER_INTROUVABLE;
    }
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return ES_CHEMIN_INTROUVABLE;
    case EMFILE:
    case ENFILE:
        return ES_TROP_DE_FICHIERS;
    case EEXIST:
        return ES_FICHIER_EXISTE;
    case ENOSPC:
        return ES_ECRITURE;
    default:
        return ES_ACCES_REFUSE;
    }
}

} // namespace

std::string RepertoireDe(const std::string& chemin) {
    const auto barre = chemin.rfind('/');
    return barre == std::string::npos ? std::string() : chemin.substr(0, barre + 1);
}

int SystemePosix::Ouvrir(const std::string& chemin, ModeOuverture mode, int& descripteur) {
    int drapeaux = O_CLOEXEC;
    switch (mode) {
    case ModeOuverture::Lecture:
        drapeaux |= O_RDONLY;
        break;
    case ModeOuverture::CreationEcriture:
        drapeaux |= O_WRONLY | O_CREAT | O_TRUNC;
        break;
    case ModeOuverture::CreationExclusive:
        drapeaux |= O_WRONLY | O_CREAT | O_EXCL;
        break;
    }
    int fd = -1;
    do {
        fd = ::open(chemin.c_str(), drapeaux, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return CodeOuverture(errno, chemin);
    }
    if (mode == ModeOuverture::Lecture) {
        // A directory opens for reading on POSIX; the classic layer refuses it.
        struct stat etat {};
        if (::fstat(fd, &etat) == 0 && S_ISDIR(etat.st_mode)) {
            ::close(fd);
            return ES_ACCES_REFUSE;
        }
    }
    descripteur = fd;
    return ES_OK;
}

int SystemePosix::Lire(int descripteur, std::int64_t position, char* tampon, std::size_t taille,
                       std::size_t& lus) {
    lus = 0;
    while (true) {
        const ssize_t n = ::pread(descripteur, tampon, taille, static_cast<off_t>(position));
        if (n >= 0) {
            lus = static_cast<std::size_t>(n);
            return ES_OK;
        }
        if (errno != EINTR) {
            return ES_LECTURE;
        }
    }
}

int SystemePosix::Ecrire(int descripteur, const char* donnees, std::size_t taille) {
    while (taille > 0) {
        const ssize_t n = ::write(descripteur, donnees, taille);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return ES_ECRITURE;
        }
        donnees += n;
        taille -= static_cast<std::size_t>(n);
    }
    return ES_OK;
}

int SystemePosix::Vider(int descripteur) {
    return ::fsync(descripteur) == 0 ? ES_OK : ES_ECRITURE;
}

int SystemePosix::Fermer(int descripteur) {
    return ::close(descripteur) == 0 ? ES_OK : ES_ECRITURE;
}

int SystemePosix::RenommerSansRemplacer(const std::string& de, const std::string& vers) {
    // The kernel refuses the rename when the target exists, so a report that appeared
    // meanwhile is never replaced. File systems without that flag get link() then unlink(),
    // which refuses an existing target too.
    if (::renameat2(AT_FDCWD, de.c_str(), AT_FDCWD, vers.c_str(), RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST) {
            return ES_FICHIER_EXISTE;
        }
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
            return CodeOuverture(errno, vers);
        }
        if (::link(de.c_str(), vers.c_str()) != 0) {
            return errno == EEXIST ? ES_FICHIER_EXISTE : CodeOuverture(errno, vers);
        }
        ::unlink(de.c_str());
    }
    // The new name itself must survive a crash: sync the directory that holds it.
    const std::string repertoire = RepertoireDe(vers);
    const int fd = ::open(repertoire.empty() ? "." : repertoire.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return ES_OK;
}

int SystemePosix::Supprimer(const std::string& chemin) {
    return ::unlink(chemin.c_str()) == 0 ? ES_OK : CodeOuverture(errno, chemin);
}

int SystemePosix::CreerRepertoire(const std::string& chemin) {
    return ::mkdir(chemin.c_str(), 0755) == 0 ? ES_OK : CodeOuverture(errno, chemin);
}

bool SystemePosix::Existe(const std::string& chemin) {
    struct stat etat {};
    return ::stat(chemin.c_str(), &etat) == 0;
}

bool SystemePosix::EstRepertoire(const std::string& chemin) {
    struct stat etat {};
    return ::stat(chemin.c_str(), &etat) == 0 && S_ISDIR(etat.st_mode);
}

std::string SystemePosix::CheminProgramme() {
    char tampon[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", tampon, sizeof tampon - 1);
    if (n <= 0) {
        return std::string();
    }
    return std::string(tampon, static_cast<std::size_t>(n));
}

} // namespace talix

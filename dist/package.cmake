# `make package`: the game as a Debian package, built by CPack from the install rules. Its
# dependencies are worked out from the libraries the programs link (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelslots)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZEL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZEL_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its window-system and database plugins at run time, so no linked library names them:
# X11 (qt6-qpa-plugins) and Wayland (qt6-wayland) windows, and the game history, an SQLite
# database read through Qt SQL's driver. OpenAL plays through a PulseAudio server (PipeWire's
# included) or ALSA; without either the game is silent.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio | pipewire-alsa")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[five-reel video slot machine played with play money
A five-reel, three-row video slot machine for the desktop with up to 25
paylines, a wild eagle that holds its reel for one more spin, scatter pays
anywhere in the window, free spins with random multipliers, a red/black and
suit gamble on every win, and six named players with their own statistics.
.
No real money is involved: nothing can be bought and nothing won is paid out.
.
The package also holds zelslots-math, which works out the machine's return
to the player exactly and checks it by simulated play.]=])
include(CPack)

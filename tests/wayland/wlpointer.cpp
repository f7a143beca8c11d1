// A pointer for a headless Wayland compositor, as a player's mouse: it joins the compositor's seat
// at start and says "ready", then for every line "click X Y" on its standard input moves to that
// point of the output and clicks there, and says "clicked" once the compositor has had it all.
//   zel-wlpointer WIDTH HEIGHT   (the output's size in the compositor's own pixels)
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <wayland-client.h>

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

namespace {
constexpr uint32_t leftbutton = 0x110;  // BTN_LEFT

wl_seat* seat = nullptr;
zwlr_virtual_pointer_manager_v1* manager = nullptr;

void announce(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    if (!std::strcmp(interface, wl_seat_interface.name))
        seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (!std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name))
        manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
}
void forget(void*, wl_registry*, uint32_t) {}
const wl_registry_listener listener{announce, forget};

void say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zel-wlpointer WIDTH HEIGHT\n");
        return 2;
    }
    const auto width = uint32_t(std::atoi(argv[1])), height = uint32_t(std::atoi(argv[2]));
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "zel-wlpointer: no Wayland display\n");
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, nullptr);
    wl_display_roundtrip(display);
    if (!manager || !seat) {
        std::fprintf(stderr, "zel-wlpointer: the compositor offers no virtual pointer\n");
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    // Into a corner first: the compositor has the device in its seat before the first click.
    zwlr_virtual_pointer_v1_motion_absolute(pointer, 0, 0, 0, width, height);
    zwlr_virtual_pointer_v1_frame(pointer);
    wl_display_roundtrip(display);
    say("ready");

    uint32_t time = 1;
    char line[128];
    while (std::fgets(line, sizeof line, stdin)) {
        unsigned x = 0, y = 0;
        if (std::sscanf(line, "click %u %u", &x, &y) != 2) {
            say("what?");
            continue;
        }
        // The pointer arrives over the window first, then presses and lets go, each a frame of its own.
        zwlr_virtual_pointer_v1_motion_absolute(pointer, time++, x, y, width, height);
        zwlr_virtual_pointer_v1_frame(pointer);
        wl_display_roundtrip(display);
        zwlr_virtual_pointer_v1_button(pointer, time++, leftbutton, WL_POINTER_BUTTON_STATE_PRESSED);
        zwlr_virtual_pointer_v1_frame(pointer);
        wl_display_roundtrip(display);
        zwlr_virtual_pointer_v1_button(pointer, time++, leftbutton, WL_POINTER_BUTTON_STATE_RELEASED);
        zwlr_virtual_pointer_v1_frame(pointer);
        wl_display_roundtrip(display);
        say("clicked");
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}

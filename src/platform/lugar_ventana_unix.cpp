#include "lugar_ventana.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <xcb/xcb.h>

QPoint LugarVentanaEnPantalla(const QWidget &ventana)
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *conexion = x11 ? x11->connection() : nullptr; // none on other platforms
    const QWindow *nativa = ventana.windowHandle();
    if (!conexion || !nativa || !ventana.isVisible())
        return ventana.pos();
    const xcb_screen_t *pantalla = xcb_setup_roots_iterator(xcb_get_setup(conexion)).data;
    if (!pantalla)
        return ventana.pos();
    xcb_translate_coordinates_reply_t *respuesta = xcb_translate_coordinates_reply(
        conexion,
        xcb_translate_coordinates(conexion, static_cast<xcb_window_t>(nativa->winId()), pantalla->root, 0, 0),
        nullptr);
    if (!respuesta)
        return ventana.pos();
    const QPoint nativo(respuesta->dst_x, respuesta->dst_y);
    std::free(respuesta);
    // The X server counts device pixels; one screen's scale turns them into Qt's logical ones.
    const qreal escala = nativa->devicePixelRatio();
    return escala == 1.0 ? nativo : (QPointF(nativo) / escala).toPoint();
}

# Which folder of src/ may include which: each folder may include itself and
# the folders listed for it, nothing else. Lowest first. The build refuses
# any other include (cmake/check_layers.cmake), so arrows run one way.
set(Q731_LAYERS image session ui files link editors print app cli)

set(Q731_LAYER_image "")
set(Q731_LAYER_session image)
set(Q731_LAYER_ui image session)
set(Q731_LAYER_files image session ui)
set(Q731_LAYER_link image session ui files)
set(Q731_LAYER_editors image session ui files)
set(Q731_LAYER_print image session ui files editors)
set(Q731_LAYER_app image session ui files link editors print)
set(Q731_LAYER_cli image session files link print)

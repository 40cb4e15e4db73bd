void kelvoaddresslabel_placeholder() {}

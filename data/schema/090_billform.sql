-- The bill form's tables: the region and bank code table, the stock of goods booked by audited
-- delivery notes and warehouse receipts, and the shipped default cheque format.

-- Code table of the drop-down lists: kind 省市 pairs a province (一级代码) with one of its
-- cities (二级代码); kind 银行 names a bank in 一级代码. Shipped rows only; nothing writes it.
CREATE TABLE dmtable2 (
  "类型"   varchar(10) COLLATE NOCASE,
  "一级代码" varchar(50) COLLATE NOCASE,
  "二级代码" varchar(50) COLLATE NOCASE
);
CREATE INDEX dmtable2_kind ON dmtable2 ("类型", "一级代码");
INSERT INTO dmtable2 ("类型", "一级代码", "二级代码") VALUES
  ('省市', '北京市', '北京市'),
  ('省市', '天津市', '天津市'),
  ('省市', '上海市', '上海市'),
  ('省市', '重庆市', '重庆市'),
  ('省市', '广东省', '广州市'), ('省市', '广东省', '深圳市'), ('省市', '广东省', '珠海市'),
  ('省市', '广东省', '汕头市'), ('省市', '广东省', '佛山市'), ('省市', '广东省', '东莞市'),
  ('省市', '江苏省', '南京市'), ('省市', '江苏省', '苏州市'), ('省市', '江苏省', '无锡市'),
  ('省市', '江苏省', '常州市'), ('省市', '江苏省', '南通市'),
  ('省市', '浙江省', '杭州市'), ('省市', '浙江省', '宁波市'), ('省市', '浙江省', '温州市'),
  ('省市', '浙江省', '绍兴市'), ('省市', '浙江省', '嘉兴市'),
  ('省市', '山东省', '济南市'), ('省市', '山东省', '青岛市'), ('省市', '山东省', '烟台市'),
  ('省市', '山东省', '潍坊市'),
  ('省市', '福建省', '福州市'), ('省市', '福建省', '厦门市'), ('省市', '福建省', '泉州市'),
  ('省市', '河南省', '郑州市'), ('省市', '河南省', '洛阳市'), ('省市', '河南省', '开封市'),
  ('省市', '湖北省', '武汉市'), ('省市', '湖北省', '宜昌市'), ('省市', '湖北省', '襄阳市'),
  ('省市', '四川省', '成都市'), ('省市', '四川省', '绵阳市'), ('省市', '四川省', '德阳市'),
  ('银行', '中国工商银行', NULL), ('银行', '中国农业银行', NULL), ('银行', '中国银行', NULL),
  ('银行', '中国建设银行', NULL), ('银行', '交通银行', NULL), ('银行', '招商银行', NULL),
  ('银行', '中信银行', NULL), ('银行', '中国光大银行', NULL), ('银行', '华夏银行', NULL),
  ('银行', '中国民生银行', NULL), ('银行', '兴业银行', NULL), ('银行', '上海浦东发展银行', NULL),
  ('银行', '平安银行', NULL), ('银行', '中国邮政储蓄银行', NULL);

-- Stock on hand: one row per product code and warehouse (booking never makes a second one).
CREATE TABLE "商品库存" (
  autoid     INTEGER PRIMARY KEY AUTOINCREMENT,
  "产品编号" varchar(30) COLLATE NOCASE,
  "品名"     varchar(100),
  "规格"     varchar(50),
  "单位"     varchar(10),
  "数量"     float,
  "仓库"     varchar(30) COLLATE NOCASE
);
CREATE UNIQUE INDEX "商品库存_产品仓库" ON "商品库存" ("产品编号", "仓库");

-- The default cheque: the picture images/cheque.jpg (96 dpi) with its fields placed on it.
-- tWidth and tHeight are what the picture import writes for that file.
INSERT INTO p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename, DetailTableName, "default", DefNote,
                        Xmove, Ymove, xDpi, yDpi, DpiUnit, ImgFile, ImgEnc, tWidth, tHeight, ConvertRate1, ConvertRate2,
                        ZoomFactor, xPanelPos, ReviseBy, ReviseDate, ShowInUi, ShowInMenu) VALUES
  ('1001', '支票', '支票', '支票', '银行转帐单', '', '是', 1,
   0, 0, 96, 96, 1, 'cheque.jpg', 0, '3ea9b1f913f7ee60', '9b084ae0ec2e86f6', '', '',
   1, 0, 'admin', '2024-01-01', '是', '是');

INSERT INTO p_NoteCntlList (RefNo, Tag, ParentId, CtlCName, DbFieldName, FieldEditType, Ctlx, CtlY, CtlW, CtlH,
                            CtlFontName, xAlign, yAlign, NeedShow, NeedPrint, CaptionVisible, MultiLine,
                            DigitalCount, FitParam, DropDownLevel, InitType) VALUES
  ('1001', 1000, 0, '单据号码',     '单据号码',        '编辑器',   72,  44, 150, 22, '宋体;10;;;;', '居左', '居中', '是', '否', '否', '否', NULL, NULL, 1, 0),
  ('1001', 1001, 0, '存根出票日期', '付款日期',        '日期编辑', 72, 170, 150, 22, '宋体;10;;;;', '居左', '居中', '是', '否', '否', '否', NULL, NULL, 1, 0),
  ('1001', 1002, 0, '存根收款人',   '收款人名称',      '文本显示', 70, 206, 154, 22, '宋体;10;;;;', '居左', '居中', '是', '是', '否', '否', NULL, NULL, 1, 0),
  ('1001', 1003, 0, '存根金额',     '金额',            '文本显示', 70, 236, 154, 22, '宋体;10;;;;', '居左', '居中', '是', '是', '否', '否', NULL, NULL, 1, 0),
  ('1001', 1004, 0, '存根用途',     '用途',            '文本显示', 70, 266, 154, 22, '宋体;10;;;;', '居左', '居中', '是', '是', '否', '否', NULL, NULL, 1, 0),
  ('1001', 1005, 0, '出票年',       '付款日期_大写年', '文本显示', 390, 52,  70, 22, '宋体;10;;;;', '居中', '居中', '是', '是', '否', '否', NULL, NULL, 1, 0),
  ('1001', 1006, 0, '出票月',       '付款日期_大写月', '文本显示', 482, 52,  58, 22, '宋体;10;;;;', '居中', '居中', '是', '是', '否', '否', NULL, NULL, 1, 0),
  ('1001', 1007, 0, '出票日',       '付款日期_大写日', '文本显示', 562, 52,  58, 22, '宋体;10;;;;', '居中', '居中', '是', '是', '否', '否', NULL, NULL, 1, 0),
  ('1001', 1008, 0, '付款行名称',   '付款银行',        '编辑器',   737, 52, 152, 22, '宋体;10;;;;', '居左', '居中', '是', '是', '否', '否', NULL, NULL, 1, 0),
  ('1001', 1009, 0, '收款人',       '收款人名称',      '编辑器',   312, 82, 316, 22, '宋体;10;;;;', '居左', '居中', '是', '是', '否', '否', NULL, NULL, 1, 0),
  ('1001', 1010, 0, '出票人账号',   '付款账户',        '编辑器',   737, 82, 152, 22, '宋体;10;;;;', '居左', '居中', '是', '是', '否', '否', NULL, NULL, 1, 0),
  ('1001', 1011, 0, '人民币大写',   '金额_金额大写',   '文本显示', 330, 128, 305, 40, '宋体;12;;;;', '居左', '居中', '是', '是', '否', '否', NULL, NULL, 1, 0),
  ('1001', 1012, 0, '小写金额',     '金额',            '小写金额', 641, 141, 249, 33, '宋体;12;;;;', '居中', '居中', '是', '是', '否', '否', 11, 2, 1, 0),
  ('1001', 1013, 0, '用途',         '用途',            '编辑器',   302, 188, 326, 22, '宋体;10;;;;', '居左', '居中', '是', '是', '否', '否', NULL, NULL, 1, 0),
  ('1001', 1014, 0, '支付密码',     '支付密码',        '等距字符串', 721, 187, 168, 22, '宋体;10;;;;', '居中', '居中', '是', '是', '否', '否', 16, 0, 1, 0);

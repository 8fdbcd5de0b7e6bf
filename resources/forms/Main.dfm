object Main1: TMain1
  Left = 982
  Top = 158
  Width = 260
  Height = 409
  Caption = 'Main1'
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Menu = MainMenu1
  OnActivate = FormActivate
  OnClose = FormClose
  object DBGrid1: TDBGrid
    Left = 0
    Top = 0
    Width = 252
    Height = 336
    Align = alClient
    DataSource = KimlikDS1
    Options = [dgColLines, dgConfirmDelete, dgCancelOnExit]
    ReadOnly = True
    TabOrder = 0
    TitleFont.Height = -11
    TitleFont.Name = 'MS Sans Serif'
    OnDblClick = DBGrid1DblClick
    Columns = <
      item
        FieldName = 'TakmaAd'
        Width = 100
      end
      item
        FieldName = 'Durum'
        Width = 100
      end>
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 336
    Width = 252
    Height = 19
    Align = alBottom
  end
  object ZConnection1: TZConnection
    Protocol = 'mysql-4.1'
    HostName = '127.0.0.1'
    Database = 'vorlendi_db'
    Catalog = 'vorlendi_db'
    User = 'vorlendi'
    Password = 'Tun8rQwzEk3M'
    LoginPrompt = False
    AfterConnect = ZConnection1AfterConnect
    AfterDisconnect = ZConnection1AfterDisconnect
  end
  object ZKimlik1: TZQuery
    Connection = ZConnection1
    SQL.Strings = (
      'select * from `msg_kimlik`')
    object ZKimlik1Id: TIntegerField
      FieldName = 'Id'
      Required = True
    end
    object ZKimlik1TakmaAd: TStringField
      FieldName = 'TakmaAd'
      Size = 50
    end
    object ZKimlik1AdSoyad: TStringField
      FieldName = 'AdSoyad'
      Size = 200
    end
    object ZKimlik1Parola: TStringField
      FieldName = 'Parola'
      Size = 20
    end
    object ZKimlik1EPosta: TStringField
      FieldName = 'E-Posta'
      Size = 100
    end
    object ZKimlik1Durum: TStringField
      FieldName = 'Durum'
      Size = 20
    end
    object ZKimlik1Ileti: TStringField
      FieldName = 'Ileti'
      Size = 200
    end
    object ZKimlik1Resim: TBytesField
      FieldName = 'Resim'
      Size = 11
    end
  end
  object ZMesaj1: TZQuery
    Connection = ZConnection1
    SQL.Strings = (
      'Select * From `msg_mesaj`')
    object ZMesaj1Id: TIntegerField
      FieldName = 'Id'
      Required = True
    end
    object ZMesaj1Gonderen: TStringField
      FieldName = 'Gonderen'
      Size = 20
    end
    object ZMesaj1Alan: TStringField
      FieldName = 'Alan'
      Size = 20
    end
    object ZMesaj1Mesaj: TMemoField
      FieldName = 'Mesaj'
    end
    object ZMesaj1Tarih: TDateTimeField
      FieldName = 'Tarih'
    end
    object ZMesaj1Durum: TStringField
      FieldName = 'Durum'
      Size = 20
    end
  end
  object ZIslem1: TZQuery
    Connection = ZConnection1
  end
  object ZTable1: TZTable
    Connection = ZConnection1
    TableName = 'torvane_mycon.quillpost'
    object ZTable1id: TLargeintField
      FieldName = 'id'
      Required = True
    end
    object ZTable1User: TStringField
      FieldName = 'User'
      Required = True
      Size = 40
    end
    object ZTable1Pass: TStringField
      FieldName = 'Pass'
      Size = 10
    end
    object ZTable1Name: TStringField
      FieldName = 'Name'
      Size = 200
    end
    object ZTable1Stat: TStringField
      FieldName = 'Stat'
      Size = 10
    end
    object ZTable1deneme2: TStringField
      FieldName = 'deneme2'
      Size = 12
    end
    object ZTable1Message: TStringField
      FieldName = 'Message'
      Size = 200
    end
    object ZTable1Kimden: TStringField
      FieldName = 'Kimden'
      Size = 40
    end
    object ZTable1Mail: TStringField
      FieldName = 'Mail'
      Size = 200
    end
  end
  object KimlikDS1: TDataSource
    DataSet = ZKimlik1
  end
  object DataSource1: TDataSource
    DataSet = ZTable1
  end
  object DataSource2: TDataSource
    DataSet = ZTable1
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 5000
    OnTimer = Timer1Timer
  end
  object MainMenu1: TMainMenu
    object Dosya1: TMenuItem
      Caption = 'Dosya'
      object OturumA1: TMenuItem
        Caption = 'Oturum A'#231
        OnClick = OturumA1Click
      end
      object OturumuKapat1: TMenuItem
        Caption = 'Oturumu Kapat'
        OnClick = OturumuKapat1Click
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Durumum1: TMenuItem
        Caption = 'Durumum'
        object evrimii1: TMenuItem
          Caption = #199'evrimi'#231'i'
          OnClick = evrimii1Click
        end
        object Darda1: TMenuItem
          Caption = 'D'#253#254'arda'
          OnClick = Darda1Click
        end
        object RCKullanmayaGitti1: TMenuItem
          Caption = 'RC Kullanmaya Gitti'
          OnClick = RCKullanmayaGitti1Click
        end
        object SexYapyo1: TMenuItem
          Caption = '... Yap'#253'yo'
          OnClick = SexYapyo1Click
        end
        object Uyuyor1: TMenuItem
          Caption = 'Uyuyor'
          OnClick = Uyuyor1Click
        end
        object BilgisayarAkKald1: TMenuItem
          Caption = 'Bilgisayar A'#231#253'k Kald'#253
          OnClick = BilgisayarAkKald1Click
        end
        object evrimd1: TMenuItem
          Caption = #199'evrimd'#253#254#253
          OnClick = evrimd1Click
        end
      end
    end
    object Kiiler1: TMenuItem
      Caption = 'Ki'#254'iler'
      object KiiEkle1: TMenuItem
        Caption = 'Ki'#254'i Ekle'
      end
    end
    object Aralar1: TMenuItem
      Caption = 'Ara'#231'lar'
      object Seenekler1: TMenuItem
        Caption = 'Se'#231'enekler'
        OnClick = Seenekler1Click
      end
    end
  end
  object TrayIcon1: TTrayIcon
    Visible = True
    Hide = True
    RestoreOn = imDoubleClick
    PopupMenuOn = imNone
  end
end
